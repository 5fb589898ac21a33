#include "framework/TCppWebBrowser.h"

#include "framework/FlatScrollBarStyle.h"

#include <QFileInfo>
#include <QUrl>

TCppWebBrowser::TCppWebBrowser(QWidget* parent)
    : TControlBase<QTextBrowser>(parent)
{
    setClicksOnMouse(false);
    resize(300, 150);
    setOpenLinks(false);
    // The vertical bar repaints after every page; flat bars keep that cheap (see the style).
    FlatScrollBarStyle::applyTo(this);
}

void TCppWebBrowser::Navigate2(const QString& url)
{
    if (url.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0) {
        // A view that never showed a page needs no new document (the first page of every
        // start).
        const bool untouched
            = m_location.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0
            && source().isEmpty() && document()->isEmpty();
        if (!untouched)
            clear();
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_location = url;
        return;
    }
    // Page URLs are "file://" and the path as it stands, unescaped: a folder named "a#b" or
    // "100%20" would lose its page if read as a URL. A remainder naming a file is that file.
    const QLatin1String fileScheme("file://");
    QUrl target;
    QFileInfo file;
    if (url.startsWith(fileScheme, Qt::CaseInsensitive)) {
        const QFileInfo literal(url.mid(fileScheme.size()));
        if (literal.isAbsolute() && literal.isFile()) {
            target = QUrl::fromLocalFile(literal.filePath());
            file = literal;
        }
    }
    if (target.isEmpty()) {
        target = QUrl(url);
        if (!target.isLocalFile())
            return;
        file = QFileInfo(target.toLocalFile());
    }
    if (!file.isFile() || !file.isReadable())
        return;
    // A page keeps its vertical scroll bar, so one page change never changes the width pages
    // are laid out at: a bar that came and went with the page's length would lay every page out
    // twice, once at each width. The blank page needs none.
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn)
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The pages are rewritten under the same name on every selection: always read them anew.
    if (source() == target)
        reload();
    else
        setSource(target);
    m_location = url;
}
