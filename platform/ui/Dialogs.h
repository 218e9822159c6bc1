#pragma once

#include <string>

namespace qp {

enum class TMsgDlgType { mtWarning, mtError };

constexpr int mrOk = 1;

// The simple message dialog: the text with one OK button, captioned with the program's title.
void ShowMessage(const std::string& text);
// The modal message dialog with one OK button, captioned "Warnung" or "Fehler"; answers mrOk.
int MessageDlg(const std::string& text, TMsgDlgType type);

// The caption of simple dialogs; the application sets it to its title.
void SetDialogTitle(const std::string& title);

}  // namespace qp
