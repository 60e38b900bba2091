#include "ui/qt/OutputView.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

#include "ui/qt/QtConvert.h"

namespace {

bool SameParagraph(const TParagraph& left, const TParagraph& right)
{
    if (left.Alignment != right.Alignment || left.Bullet != right.Bullet || left.Runs.size() != right.Runs.size())
        return false;
    for (size_t index = 0; index < left.Runs.size(); ++index)
        if (left.Runs[index].Text != right.Runs[index].Text || !(left.Runs[index].Font == right.Runs[index].Font))
            return false;
    return true;
}

Qt::Alignment ToQtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::Center:
        return Qt::AlignHCenter;
    case TAlignment::Right:
        return Qt::AlignRight;
    case TAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat ToCharFormat(const TFont& font)
{
    QTextCharFormat format;
    format.setFont(ToQFont(font));
    format.setForeground(ToQColor(font.Color));
    return format;
}

} // namespace

TOutputView::TOutputView(TOutputPane& pane, QWidget* parent) : QTextEdit(parent), Pane(pane)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Screen readers hear new paragraphs through Qt's own text-inserted events.
    setAccessibleName(QStringLiteral("Story"));
    setAccessibleDescription(QStringLiteral("What happens, as the game tells it"));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, Qt::white);
    setPalette(colours);
}

void TOutputView::Sync()
{
    if (ShownRevision == Pane.Revision())
        return;
    const std::vector<TParagraph>& paragraphs = Pane.Paragraphs();
    const size_t cleared = Pane.WrittenCount() - paragraphs.size();
    if (cleared != ShownCleared || paragraphs.size() < ShownCount ||
        (ShownCount > 0 && !SameParagraph(paragraphs[ShownCount - 1], LastShown))) {
        clear();
        ShownCount = 0;
        ShownCleared = cleared;
    }
    for (; ShownCount < paragraphs.size(); ++ShownCount)
        Append(paragraphs[ShownCount]);
    if (ShownCount > 0)
        LastShown = paragraphs[ShownCount - 1];
    ShownRevision = Pane.Revision();
    // The pane is kept at its end, which also serves every scroll request.
    Pane.TakeScroll();
    // Showing the end lays the text out up to it, which sets the scroll range.
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TOutputView::Append(const TParagraph& paragraph)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat block;
    block.setAlignment(ToQtAlignment(paragraph.Alignment));
    // The document's first paragraph is there from the start. An empty
    // paragraph is as high as a line in the default font.
    if (ShownCount == 0) {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(ToCharFormat(Pane.DefaultFont));
    } else {
        cursor.insertBlock(block, ToCharFormat(Pane.DefaultFont));
    }
    if (paragraph.Bullet)
        cursor.createList(QTextListFormat::ListDisc);
    for (const TTextRun& run : paragraph.Runs) {
        // Line breaks inside a run stay inside its paragraph.
        QString text = ToQt(run.Text);
        text.replace('\n', QChar::LineSeparator);
        cursor.insertText(text, ToCharFormat(run.Font));
    }
}
