#include "platform/ui/StandardControls.h"

#include "platform/core/Class.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Edit.h"
#include "platform/ui/HeaderControl.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/TabSet.h"

namespace qp {

void RegisterStandardControls() {
  for (const TClass* type : {
           &TButton::ClassInfo(),
           &TComboBox::ClassInfo(),
           &TDBGrid::ClassInfo(),
           &TEdit::ClassInfo(),
           &THeaderControl::ClassInfo(),
           &TImage::ClassInfo(),
           &TLabel::ClassInfo(),
           &TListBox::ClassInfo(),
           &TListView::ClassInfo(),
           &TMainMenu::ClassInfo(),
           &TMenuItem::ClassInfo(),
           &TPanel::ClassInfo(),
           &TPopupMenu::ClassInfo(),
           &TRadioGroup::ClassInfo(),
           &TStatusBar::ClassInfo(),
           &TTabSet::ClassInfo(),
       }) {
    RegisterClass(*type);
  }
}

}  // namespace qp
