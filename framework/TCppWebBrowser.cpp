#include "framework/TCppWebBrowser.h"

#include <QFileInfo>
#include <QUrl>

TCppWebBrowser::TCppWebBrowser(QWidget* parent)
    : TControlBase<QTextBrowser>(parent)
{
    setClicksOnMouse(false);
    resize(300, 150);
    setOpenLinks(false);
    // A page change never changes the width pages are laid out at: a scroll bar that came and
    // went with the page's length would lay every page out twice, once at each width.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TCppWebBrowser::Navigate2(const QString& url)
{
    if (url.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0) {
        clear();
        m_location = url;
        return;
    }
    // Page URLs are "file://" and the path as it stands, unescaped: a folder named "a#b" or
    // "100%20" would lose its page if read as a URL. A remainder naming a file is that file.
    const QLatin1String fileScheme("file://");
    QUrl target;
    if (url.startsWith(fileScheme, Qt::CaseInsensitive)) {
        const QString literal = url.mid(fileScheme.size());
        if (QFileInfo(literal).isAbsolute() && QFileInfo(literal).isFile())
            target = QUrl::fromLocalFile(literal);
    }
    if (target.isEmpty())
        target = QUrl(url);
    if (!target.isLocalFile())
        return;
    if (!QFileInfo(target.toLocalFile()).isReadable())
        return;
    // The pages are rewritten under the same name on every selection: always read them anew.
    if (source() == target)
        reload();
    else
        setSource(target);
    m_location = url;
}
