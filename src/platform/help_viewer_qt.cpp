#include "platform/help_viewer_qt.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The copy of the help document built into the program.
const char* const kBuiltInHelp = "qrc:/help/tessaro.html";

// Screen readers take the help viewer for a window of its own, not a panel.
QAccessibleInterface* HelpWindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("HelpWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// The help document, to screen readers a read-only document whose text they
// can browse by character, word and line (the toolkit's own view of a text
// browser is a label).
class HelpTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpTextAccessible(QTextBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Document), browser_(browser) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.focusable = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? browser_->toPlainText() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor c = browser_->textCursor();
        *start = index == 0 && c.hasSelection() ? c.selectionStart() : 0;
        *end = index == 0 && c.hasSelection() ? c.selectionEnd() : 0;
    }
    int selectionCount() const override { return browser_->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor c = browser_->textCursor();
        c.clearSelection();
        browser_->setTextCursor(c);
    }
    void setSelection(int, int start, int end) override {
        QTextCursor c = CursorAt(start);
        c.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        browser_->setTextCursor(c);
    }
    int cursorPosition() const override { return browser_->textCursor().position(); }
    void setCursorPosition(int position) override { browser_->setTextCursor(CursorAt(position)); }
    QString text(int start, int end) const override {
        QTextCursor c = CursorAt(start);
        c.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        return c.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    int characterCount() const override { return browser_->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override {
        const QRect r = browser_->cursorRect(CursorAt(offset));
        const QPoint origin = browser_->viewport()->mapToGlobal(QPoint(0, 0));
        return QRect(r.topLeft() + origin,
                     QSize(browser_->fontMetrics().averageCharWidth(), r.height()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return browser_->cursorForPosition(browser_->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        const QTextCursor keep = browser_->textCursor();
        browser_->setTextCursor(CursorAt(start));
        browser_->ensureCursorVisible();
        const int top = browser_->verticalScrollBar()->value();
        browser_->setTextCursor(keep);
        browser_->verticalScrollBar()->setValue(top);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    int Clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextCursor CursorAt(int offset) const {
        QTextCursor c(browser_->document());
        c.setPosition(Clamped(offset));
        return c;
    }
    QTextBrowser* browser_;
};

QAccessibleInterface* HelpTextAccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("QTextBrowser") &&
        object->objectName() == QLatin1String("HelpText") &&
        qobject_cast<HelpWindow*>(object->parent()) != nullptr)
        return new HelpTextAccessible(static_cast<QTextBrowser*>(object));
    return nullptr;
}

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const char* name, const char* caption) {
    auto* b = new QPushButton(Tr(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}
} // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName("HelpFm");
    static const bool accessibleFactories =
        (QAccessible::installFactory(HelpWindowAccessible),
         QAccessible::installFactory(HelpTextAccessibleFor), true);
    (void)accessibleFactories;
    setWindowTitle(Tr("Tessaro Help"));
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    ContentsButton = AddButton(this, row, "ContentsButton", N_("&Contents"));
    BackButton = AddButton(this, row, "BackButton", N_("&Back"));
    row->addStretch();
    CloseButton = AddButton(this, row, "CloseButton", N_("Close"));
    layout->addLayout(row);
    HelpText = new QTextBrowser(this);
    HelpText->setObjectName("HelpText");
    HelpText->setAccessibleName(Tr("Help document"));
    HelpText->setAccessibleDescription(Tr("Tab moves from link to link"));
    HelpText->setOpenExternalLinks(false);
    layout->addWidget(HelpText);
    setTabOrder(ContentsButton, BackButton);
    setTabOrder(BackButton, CloseButton);
    setTabOrder(CloseButton, HelpText);
    BackButton->setEnabled(false);
    connect(ContentsButton, &QPushButton::clicked, this, &HelpWindow::OpenContents);
    connect(BackButton, &QPushButton::clicked, HelpText, &QTextBrowser::backward);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(HelpText, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
}

void HelpWindow::OpenDocument(const QString& path) {
    const QFileInfo file(path);
    HelpText->setSource(file.isFile() && file.isReadable()
                            ? QUrl::fromLocalFile(file.absoluteFilePath())
                            : QUrl(kBuiltInHelp));
    HelpText->clearHistory();
}

void HelpWindow::OpenContents() {
    HelpText->home();
    HelpText->scrollToAnchor("contents");
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::OpenContents(const std::string& path) {
    if (!window_)
        window_ = std::make_unique<HelpWindow>();
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
