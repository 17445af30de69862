#pragma once

#include "platform/help_viewer.h"

#include <QWidget>

#include <memory>

class QPushButton;
class QTextBrowser;

// "Tessaro Help": the help document in a text browser, with its contents page
// and the way back one click away.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();
    QTextBrowser* HelpText = nullptr;
    QPushButton* ContentsButton = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* CloseButton = nullptr;

    // Opens the document at `path`; the copy built into the program when that
    // file cannot be read.
    void OpenDocument(const QString& path);
    void OpenContents();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The toolkit's help viewer: one HelpWindow, made when help is first asked for.
class QtHelpViewer final : public HelpViewer {
public:
    ~QtHelpViewer() override;
    void OpenContents(const std::string& path) override;
    void Quit() override;
    HelpWindow* Window() const { return window_.get(); }

private:
    std::unique_ptr<HelpWindow> window_;
};

std::unique_ptr<HelpViewer> MakeQtHelpViewer();
