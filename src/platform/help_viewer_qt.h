#pragma once

#include "platform/help_viewer.h"

#include <QWidget>

#include <memory>

class QPushButton;
class QTextBrowser;

// "Tessaro Help": the help document in a text browser, with its contents page
// and the way back one click away.
class THelpFm : public QWidget {
    Q_OBJECT
public:
    THelpFm();
    QTextBrowser* HelpText = nullptr;
    QPushButton* ContentsButt = nullptr;
    QPushButton* BackButt = nullptr;
    QPushButton* CloseButt = nullptr;

    // Opens the document at `path`; the copy built into the program when that
    // file cannot be read.
    void OpenDocument(const QString& path);
    void ShowContents();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The toolkit's help viewer: one THelpFm, made when help is first asked for.
class QtHelpViewer final : public HelpViewer {
public:
    ~QtHelpViewer() override;
    void ShowContents(const std::string& path) override;
    void Quit() override;
    THelpFm* Window() const { return window_.get(); }

private:
    std::unique_ptr<THelpFm> window_;
};

std::unique_ptr<HelpViewer> MakeQtHelpViewer();
