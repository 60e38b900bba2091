// The output pane drawn: a read-only rich text view, black, that shows the pane's
// paragraphs with their runs' fonts and colours and stays scrolled to the end.
#pragma once

#include <QTextEdit>
#include <optional>

#include "platform/OutputPane.h"

class TOutputView : public QTextEdit {
public:
    TOutputView(TOutputPane& pane, QWidget* parent);

    // Appends the paragraphs written since the last call; starts again when the
    // pane was cleared or a shown paragraph changed.
    void Sync();

private:
    void Append(const TParagraph& paragraph);

    TOutputPane& Pane;
    std::optional<uint64_t> ShownRevision;
    size_t ShownCount = 0;
    // Paragraphs the pane had cleared when last shown.
    size_t ShownCleared = 0;
    TParagraph LastShown;
};
