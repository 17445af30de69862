#include "platform/dialogs_qt.h"
#include "platform/debug_log.h"
#include "platform/translator_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
// The message in the user's language; "\r" in it is a line break.
QString Text(const std::string& text) {
    return TrShown(text).replace('\r', '\n');
}

QWidget* Owner() {
    return QApplication::activeWindow();
}

const QString kTitle = QStringLiteral("Tessaro");
} // namespace

void QtDialogs::Information(const std::string& text) {
    LogUi("information", text);
    QMessageBox::information(Owner(), kTitle, Text(text));
}

void QtDialogs::Error(const std::string& text) {
    LogUi("error", text);
    QMessageBox::critical(Owner(), kTitle, Text(text));
}

Dialogs::Answer QtDialogs::QuestionYesNo(const std::string& text) {
    LogUi("question", text);
    auto b = QMessageBox::question(Owner(), kTitle, Text(text), QMessageBox::Yes | QMessageBox::No,
                                   QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::QuestionYesNoCancel(const std::string& text) {
    LogUi("question", text);
    auto b = QMessageBox::question(Owner(), kTitle, Text(text),
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                   QMessageBox::Yes);
    if (b == QMessageBox::Yes)
        return Answer::Yes;
    return b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::string QtDialogs::OpenFile(const std::string& title, const std::string& folder,
                                const std::string& filter) {
    return QFileDialog::getOpenFileName(Owner(), TrShown(title), QString::fromStdString(folder),
                                        TrShown(filter))
        .toStdString();
}

std::string QtDialogs::SaveFile(const std::string& title, const std::string& folder,
                                const std::string& fileName, const std::string& filter) {
    QString start = QString::fromStdString(folder);
    if (!fileName.empty())
        start += "/" + QString::fromStdString(fileName);
    return QFileDialog::getSaveFileName(Owner(), TrShown(title), start, TrShown(filter))
        .toStdString();
}

void QtDialogs::Beep() {
    QApplication::beep();
}
