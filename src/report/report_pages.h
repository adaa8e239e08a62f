#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QTextDocument>

#include <functional>

namespace zelto::report {

// The footer of page `page` (from 1) of `pages`.
using Footer = std::function<QString(int page, int pages)>;

// Lays the document out on the device's pages, within its margins and above a footer line,
// and paints every page with its footer. Whatever the document holds that is no text (the
// plot) is painted with the same painter, at the device's resolution. The text from `keepFrom`
// to the end stays on one page: where it would straddle a page break, it starts the next page.
void PrintPages(QTextDocument& document, QPagedPaintDevice& device, const Footer& footer,
                int keepFrom);

}  // namespace zelto::report
