#include "platform/ui/TextItem.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TTextItem::ClassInfo() {
  static const TClass info{Describe<TTextItem, TCollectionItem>("TTextItem")
                               .Property("Text", &TTextItem::Text, &TTextItem::SetText)
                               .Property("Width", &TTextItem::Width, &TTextItem::SetWidth)
                               .Default(50)};
  return info;
}

}  // namespace qp
