#pragma once

#include <memory>
#include <string_view>

#include <QMessageBox>

#include "forms/message_icon.h"

namespace tolvane::qt {

// A modal message box with a text, a title, one OK button and an icon; the text is plain text.
// Its window title is the given title, so tests find it among the top-level windows.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::string_view text_utf8,
                                            std::string_view title_utf8, forms::MessageIcon icon);

// Shows the message box and returns when it is closed. With no parent it is modal for the whole
// application.
void ShowMessage(QWidget* parent, std::string_view text_utf8, std::string_view title_utf8,
                 forms::MessageIcon icon);

}  // namespace tolvane::qt
