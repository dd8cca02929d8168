#include "shell/HelpWindow.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/Announcer.h"
#include "ui/WindowScaler.h"

namespace {

constexpr int kDesignWidth = 440;
constexpr int kDesignHeight = 340;
const QString kScheme = QStringLiteral("help");
constexpr int kTopicRole = Qt::UserRole;
// The contents' share of the window's width, in percent.
constexpr int kIndexShare = 45;

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
    findField_ = new QLineEdit(toolBar);
    findField_->setClearButtonEnabled(true);
    // The field names itself, so that the bar fits a small screen with both arrows.
    findField_->setPlaceholderText(QStringLiteral("Find"));
    findField_->setToolTip(QStringLiteral("Find the topics that hold these words (Ctrl+F)"));
    // Fixed, so that the clear button showing up does not push the arrows off the bar.
    findField_->setFixedWidth(sizeForScreen(screen).width() / 6);
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
    auto* focusFind = new QAction(this);
    focusFind->setShortcut(QKeySequence::Find);
    addAction(focusFind);
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    addAction(close);

    contents_ = new QTreeWidget;
    contents_->header()->hide();
    contents_->setAccessibleName(QStringLiteral("Contents"));
    // Indented by the text's size, so that small screens keep room for the titles.
    contents_->setIndentation(textPixelSize(screen));
    found_ = new QListWidget;
    found_->setAccessibleName(QStringLiteral("Topics Found"));
    announcer_ = new Announcer(this);
    index_ = new QStackedWidget;
    index_->addWidget(contents_);
    index_->addWidget(found_);
    browser_ = new HelpBrowser(file_, nullptr);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(index_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    // Wide enough for nearly every title; the few longer ones show whole in their tooltips.
    const int width = sizeForScreen(screen).width();
    splitter->setSizes({width * kIndexShare / 100, width - width * kIndexShare / 100});
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
    for (auto signal : {&QTreeWidget::itemActivated, &QTreeWidget::itemClicked})
        connect(contents_, signal, this, [this](QTreeWidgetItem* item) {
            const QVariant number = item->data(0, kTopicRole);
            if (number.isValid()) showTopicPage(number.toInt());
        });
    for (auto signal : {&QListWidget::itemActivated, &QListWidget::itemClicked})
        connect(found_, signal, this, [this](QListWidgetItem* item) {
            const QVariant number = item->data(kTopicRole);
            if (number.isValid()) openFound(number.toInt());
        });
    connect(findField_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(findField_, &QLineEdit::textChanged, this, [this] {
        listFound();
        // Searching as one types starts again from the top of the page.
        selectFirstPlace();
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
            parent->setToolTip(0, section.title);
            parent->setFlags(Qt::ItemIsEnabled);
            parent->setExpanded(true);
        }
        for (int number : section.topics) {
            const QString title = file_.topic(number)->title;
            auto* item = parent ? new QTreeWidgetItem(parent, {title})
                                : new QTreeWidgetItem(contents_, {title});
            item->setData(0, kTopicRole, number);
            item->setToolTip(0, title);
        }
    }
}

void HelpWindow::showContentsPage() {
    // The contents come back in place of any topics found.
    findField_->clear();
    browser_->setSource(contentsUrl());
}

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
    // A screen reader hears which topic the page now shows.
    if (topic) announcer_->announce(topic->title);
    // The contents follow the page, so the reader sees where the topic stands.
    QTreeWidgetItem* current = nullptr;
    for (QTreeWidgetItemIterator it(contents_); topic && *it; ++it) {
        const QVariant entry = (*it)->data(0, kTopicRole);
        if (entry.isValid() && entry.toInt() == number) current = *it;
    }
    contents_->setCurrentItem(current);
    if (current) contents_->scrollToItem(current);
}

void HelpWindow::listFound() {
    const QString words = findField_->text();
    found_->clear();
    if (words.trimmed().isEmpty()) {
        index_->setCurrentWidget(contents_);
        return;
    }
    const std::vector<int> topics = file_.find(words);
    for (int number : topics) {
        const QString title = file_.topic(number)->title;
        auto* item = new QListWidgetItem(title, found_);
        item->setData(kTopicRole, number);
        item->setToolTip(title);
    }
    if (topics.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral("No topic holds these words."), found_);
        none->setFlags(Qt::NoItemFlags);
    }
    index_->setCurrentWidget(found_);
}

void HelpWindow::openFound(int number) {
    showTopicPage(number);
    selectFirstPlace();
}

void HelpWindow::selectFirstPlace() {
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    browser_->setTextCursor(cursor);
    selectInPage(false);
}

bool HelpWindow::findNext(bool backward) {
    const std::vector<int> topics = file_.find(findField_->text());
    if (topics.empty()) return false;
    bool ok = false;
    const int open = browser_->source().path().toInt(&ok);
    if (ok && std::find(topics.begin(), topics.end(), open) != topics.end())
        return selectInPage(backward);
    // From the contents, or a topic without the words, to the first topic that has them.
    openFound(topics.front());
    return true;
}

bool HelpWindow::selectInPage(bool backward) {
    // Every place where one of the words stands, the longest words first so
    // that a word inside another is not taken for it.
    QStringList words = HelpFile::wordsOf(findField_->text());
    if (words.isEmpty()) return false;
    std::sort(words.begin(), words.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (QString& word : words) word = QRegularExpression::escape(word);
    const QRegularExpression places(words.join(QLatin1Char('|')),
                                    QRegularExpression::CaseInsensitiveOption);
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(places, flags)) return true;
    // Round the end of the page and once more from the other end.
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    return browser_->find(places, flags);
}
