#include "app/AboutBox.h"

#include "app/ComponentField.h"
#include "platform/core/Describe.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace qp {

TAboutBox* AboutBox = nullptr;

const TClass& TAboutBox::ClassInfo() {
  static const TClass info{Describe<TAboutBox, TForm>("TAboutBox")};
  return info;
}

void TAboutBox::Loaded() {
  TForm::Loaded();
  Panel1 = ComponentField<TPanel>(*this, "Panel1");
  Label1 = ComponentField<TLabel>(*this, "Label1");
  Label2 = ComponentField<TLabel>(*this, "Label2");
  Image1 = ComponentField<TImage>(*this, "Image1");
  Button1 = ComponentField<TButton>(*this, "Button1");
}

}  // namespace qp
