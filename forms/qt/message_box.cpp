#include "forms/qt/message_box.h"

namespace tolvane::qt {

namespace {
QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::string_view text_utf8,
                                            std::string_view title_utf8, forms::MessageIcon icon) {
    auto box = std::make_unique<QMessageBox>(
        icon == forms::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        FromUtf8(title_utf8), FromUtf8(text_utf8), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    box->setWindowModality(parent == nullptr ? Qt::ApplicationModal : Qt::WindowModal);
    return box;
}

void ShowMessage(QWidget* parent, std::string_view text_utf8, std::string_view title_utf8,
                 forms::MessageIcon icon) {
    const auto box = MakeMessageBox(parent, text_utf8, title_utf8, icon);
    box->exec();
}

}  // namespace tolvane::qt
