#include "platform/help_viewer_qt.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// The copy of the help document built into the program.
const char* const kBuiltInHelp = "qrc:/help/tessaro.html";

// Screen readers take the help viewer for a window of its own, not a panel.
QAccessibleInterface* HelpFmAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("THelpFm"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const char* name, const char* caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}
} // namespace

THelpFm::THelpFm() : QWidget(nullptr, Qt::Window) {
    setObjectName("HelpFm");
    static const bool accessibleAsWindow = (QAccessible::installFactory(HelpFmAccessible), true);
    (void)accessibleAsWindow;
    setWindowTitle("Tessaro Help");
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    ContentsButt = AddButton(this, row, "ContentsButt", "&Contents");
    BackButt = AddButton(this, row, "BackButt", "&Back");
    row->addStretch();
    CloseButt = AddButton(this, row, "CloseButt", "Close");
    layout->addLayout(row);
    HelpText = new QTextBrowser(this);
    HelpText->setObjectName("HelpText");
    HelpText->setAccessibleName("Help document");
    HelpText->setAccessibleDescription("Tab moves from link to link");
    HelpText->setOpenExternalLinks(false);
    layout->addWidget(HelpText);
    setTabOrder(ContentsButt, BackButt);
    setTabOrder(BackButt, CloseButt);
    setTabOrder(CloseButt, HelpText);
    BackButt->setEnabled(false);
    connect(ContentsButt, &QPushButton::clicked, this, &THelpFm::ShowContents);
    connect(BackButt, &QPushButton::clicked, HelpText, &QTextBrowser::backward);
    connect(CloseButt, &QPushButton::clicked, this, &QWidget::close);
    connect(HelpText, &QTextBrowser::backwardAvailable, BackButt, &QPushButton::setEnabled);
}

void THelpFm::OpenDocument(const QString& path) {
    const QFileInfo file(path);
    HelpText->setSource(file.isFile() && file.isReadable()
                            ? QUrl::fromLocalFile(file.absoluteFilePath())
                            : QUrl(kBuiltInHelp));
    HelpText->clearHistory();
}

void THelpFm::ShowContents() {
    HelpText->home();
    HelpText->scrollToAnchor("contents");
}

void THelpFm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::ShowContents(const std::string& path) {
    if (!window_)
        window_ = std::make_unique<THelpFm>();
    window_->OpenDocument(QString::fromStdString(path));
    window_->show();
    window_->raise();
    window_->activateWindow();
    window_->HelpText->setFocus();
}

void QtHelpViewer::Quit() {
    if (window_)
        window_->close();
}

std::unique_ptr<HelpViewer> MakeQtHelpViewer() {
    return std::make_unique<QtHelpViewer>();
}
