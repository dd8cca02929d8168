#include "shell/HelpWindow.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "ui/WindowScaler.h"

namespace {

constexpr int kDesignWidth = 440;
constexpr int kDesignHeight = 340;
const QString kScheme = QStringLiteral("help");
constexpr int kTopicRole = Qt::UserRole;

QUrl pageUrl(int number) { return QUrl(kScheme + QStringLiteral(":%1").arg(number)); }
QUrl contentsUrl() { return QUrl(kScheme + QStringLiteral(":contents")); }

// Renders the help pages when the browser asks for a "help:" address, so that
// its own history gives back and forward.
class HelpBrowser : public QTextBrowser {
  public:
    HelpBrowser(const HelpFile& file, QWidget* parent) : QTextBrowser(parent), file_(file) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() != kScheme) return QTextBrowser::loadResource(type, name);
        if (name.path() == QStringLiteral("contents")) return contentsHtml();
        bool ok = false;
        const int number = name.path().toInt(&ok);
        return topicHtml(ok ? number : -1);
    }

  private:
    QString contentsHtml() const {
        QString html = QStringLiteral("<h2>Velloro Help Topics</h2>");
        for (const HelpFile::Section& section : file_.sections()) {
            if (!section.title.isEmpty())
                html += QStringLiteral("<h3>%1</h3>").arg(section.title.toHtmlEscaped());
            html += QStringLiteral("<ul>");
            for (int number : section.topics)
                html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                            .arg(pageUrl(number).toString(),
                                 file_.topic(number)->title.toHtmlEscaped());
            html += QStringLiteral("</ul>");
        }
        return html;
    }

    QString topicHtml(int number) const {
        const HelpFile::Topic* topic = file_.topic(number);
        if (!topic) return QStringLiteral("<p>No help is available for this item.</p>");
        return QStringLiteral("<h2>%1</h2>").arg(topic->title.toHtmlEscaped()) +
               file_.html(topic->text);
    }

    const HelpFile& file_;
};

}  // namespace

QSize HelpWindow::sizeForScreen(QSize screen) {
    return WindowScaler::clientSizeForScreen({kDesignWidth, kDesignHeight}, screen);
}

int HelpWindow::textPixelSize(QSize screen) {
    return qMax(12, static_cast<int>(std::lround(screen.height() / 48.0)));
}

HelpWindow::HelpWindow(const HelpFile& file, QSize screen) : file_(file) {
    setWindowTitle(QStringLiteral("Velloro Help"));
    // Help left open does not keep the game running.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont font = this->font();
    font.setPixelSize(textPixelSize(screen));
    setFont(font);

    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* topics = toolBar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                         QStringLiteral("Contents"));
    back_ = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"));
    forward_ = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                  QStringLiteral("Forward"));
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    toolBar->addSeparator();
    toolBar->addWidget(new QLabel(QStringLiteral(" Find: "), toolBar));
    findField_ = new QLineEdit(toolBar);
    findField_->setClearButtonEnabled(true);
    findField_->setMaximumWidth(sizeForScreen(screen).width() / 5);
    toolBar->addWidget(findField_);
    QAction* previous =
        toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("Previous"));
    QAction* next =
        toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("Next"));
    previous->setShortcut(QKeySequence::FindPrevious);
    next->setShortcut(QKeySequence::FindNext);
    // The arrows alone, so the whole bar fits the window on a small screen too.
    for (QAction* step : {previous, next}) {
        step->setToolTip(step->text() + QStringLiteral(" place in the text"));
        if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(step)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    findResult_ = new QLabel(toolBar);
    toolBar->addWidget(findResult_);
    auto* focusFind = new QAction(this);
    focusFind->setShortcut(QKeySequence::Find);
    addAction(focusFind);
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    addAction(close);

    contents_ = new QTreeWidget;
    contents_->header()->hide();
    browser_ = new HelpBrowser(file_, nullptr);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes(
        {sizeForScreen(screen).width() * 7 / 20, sizeForScreen(screen).width() * 13 / 20});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
    fillContents();

    connect(topics, &QAction::triggered, this, &HelpWindow::showContentsPage);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant number = item->data(0, kTopicRole);
        if (number.isValid()) showTopicPage(number.toInt());
    });
    connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant number = item->data(0, kTopicRole);
        if (number.isValid()) showTopicPage(number.toInt());
    });
    connect(findField_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(findField_, &QLineEdit::textEdited, this, [this] {
        // Searching as one types starts again from the top of the page.
        QTextCursor cursor = browser_->textCursor();
        cursor.movePosition(QTextCursor::Start);
        browser_->setTextCursor(cursor);
        findNext();
    });
    connect(next, &QAction::triggered, this, [this] { findNext(); });
    connect(previous, &QAction::triggered, this, [this] { findNext(true); });
    connect(focusFind, &QAction::triggered, this, [this] {
        findField_->setFocus();
        findField_->selectAll();
    });
    connect(close, &QAction::triggered, this, &QWidget::close);

    resize(sizeForScreen(screen));
}

void HelpWindow::fillContents() {
    for (const HelpFile::Section& section : file_.sections()) {
        QTreeWidgetItem* parent = nullptr;
        if (!section.title.isEmpty()) {
            parent = new QTreeWidgetItem(contents_, {section.title});
            parent->setFlags(Qt::ItemIsEnabled);
            parent->setExpanded(true);
        }
        for (int number : section.topics) {
            const QString title = file_.topic(number)->title;
            auto* item = parent ? new QTreeWidgetItem(parent, {title})
                                : new QTreeWidgetItem(contents_, {title});
            item->setData(0, kTopicRole, number);
        }
    }
}

void HelpWindow::showContentsPage() { browser_->setSource(contentsUrl()); }

void HelpWindow::showTopicPage(int number) {
    // A click and an activation of one entry open the topic once, not twice in the history.
    if (browser_->source() != pageUrl(number)) browser_->setSource(pageUrl(number));
}

void HelpWindow::followSource(const QUrl& source) {
    bool ok = false;
    const int number = source.path().toInt(&ok);
    const HelpFile::Topic* topic = ok ? file_.topic(number) : nullptr;
    setWindowTitle(topic ? QStringLiteral("Velloro Help - ") + topic->title
                         : QStringLiteral("Velloro Help"));
    // The contents follow the page, so the reader sees where the topic stands.
    QTreeWidgetItem* current = nullptr;
    for (QTreeWidgetItemIterator it(contents_); topic && *it; ++it) {
        const QVariant entry = (*it)->data(0, kTopicRole);
        if (entry.isValid() && entry.toInt() == number) current = *it;
    }
    contents_->setCurrentItem(current);
    if (current) contents_->scrollToItem(current);
    findResult_->clear();
}

bool HelpWindow::findNext(bool backward) {
    const QString text = findField_->text();
    findResult_->clear();
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) return true;
    // Round the end of the page and once more from the other end.
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    if (browser_->find(text, flags)) return true;
    findResult_->setText(QStringLiteral(" Not found"));
    return false;
}
