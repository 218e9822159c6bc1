#pragma once

#include "platform/ui/Forms.h"

namespace qp {

class TButton;
class TImage;
class TLabel;
class TPanel;

// The "Information" dialog: the program's name, icon and makers, closed with OK.
class TAboutBox : public TForm {
 public:
  using TForm::TForm;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TImage* Image1 = nullptr;
  TButton* Button1 = nullptr;

 protected:
  void Loaded() override;
};

// The about box, from its creation until the forms are freed.
extern TAboutBox* AboutBox;

}  // namespace qp
