#include "browser/ReferencePages.h"

#include "browser/CatalogueTree.h"
#include "catalogue/CatalogueNames.h"
#include "catalogue/tagSysValItem.h"
#include "framework/ProgramFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTreeWidgetItem>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace ReferencePages {

namespace {

const char* const kFooterStart = "<br><br><font color=#808080>";
const char* const kFooterEnd = "</font><br><br>";

// A fixed field read up to its NUL, never past its end.
template <std::size_t N> std::string fieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

void appendFooter(std::string& page)
{
    page += kFooterStart;
    page += kFooterNotice;
    page += kFooterEnd;
}

void showPage(const char* name, const std::string& bytes, const ShowUrlFunction& showUrl)
{
    std::string programDir;
    GetModulePath(&programDir);
    const std::string path = writePageFile(programDir, name, bytes);
    if (path.empty())
        return;
    if (showUrl)
        showUrl(pageUrl(path));
}

} // namespace

int GetModulePath(std::string* out)
{
    if (!out)
        return 0;
    *out = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (out->empty() || out->back() != '/')
        *out += '/';
    return 1;
}

std::string pagePath(const char* name)
{
    std::string dir;
    GetModulePath(&dir);
    return pagePathIn(dir, name);
}

std::string pagePathIn(const std::string& dir, const char* name)
{
    return dir + name + ".html";
}

std::string pageUrl(const std::string& path)
{
    return "file://" + path;
}

std::string groupPage(const std::string& label, const std::vector<const tagSysValItem*>& rows)
{
    std::string page;
    page += "<html><head><title>Group information for " + label + "</title></head>\r\n";
    page += "<body style=\"font-family:verdana; font-size:10pt\">\r\n";
    page += "<font color=#000080><b>System Values for " + label + "</b></font><br><br>\r\n";
    page += "<font size=2>\r\n";
    page += "<table width=100% border=0 cellpadding=0 cellspacing=1 bgcolor=#C0C0C0 "
            "style=\"font-family:verdana; font-size:10pt\">\r\n";
    page += "<tr bgcolor=#F0F0FF height=22 colspan=2 align=center>\r\n";
    page += "<td width=100><b>Name</b></td>\r\n";
    page += "<td width=180><b>Type & Length</b></td>\r\n";
    page += "<td width=*><b>Description</b></td></tr>\r\n";
    for (const tagSysValItem* row : rows) {
        if (!row)
            continue;
        page += "<tr bgcolor=#FFFFFF height=22 colspan=2 align=left style=\"padding-left:12; "
                "padding-right:12; padding-top:8; padding-bottom:8\">\r\n";
        page += "<td>" + fieldText(row->szName) + "</td>\r\n";
        page += std::string("<td>") + valueTypeName(row->nValueType) + " [ "
            + fieldText(row->szLength) + " ]</td>\r\n";
        page += "<td align=left>" + row->strDescription + "</td></tr>\r\n";
    }
    page += "</table><br></font>";
    appendFooter(page);
    page += "</body></html>\r\n";
    return page;
}

std::string itemPage(const tagSysValItem& item)
{
    const std::string name = fieldText(item.szName);
    std::string page;
    page += "<html><head><title>Detail information for " + name + "</title></head>\r\n";
    page += "<body style=\"font-family:verdana; font-size:10pt\">\r\n";
    page += "<table width=100% border=0 cellpadding=0 cellspacing=1 bgcolor=#C0C0C0>\r\n<td>\r\n";
    page += "<tr bgcolor=#F0F0FF height=22 colspan=2 align=center>\r\n";
    page += "<font color=\"#000080\"><b>" + name + "</font></b> Quick Reference<br>\r\n";
    page += "</td></tr></table><br>";
    page += "<li><b>Description:</b> " + item.strDescription + "<br><br>\r\n";
    page += std::string("<li><b>Category:</b> ") + categoryName(item.nCategory) + "<br><br>\r\n";
    page += std::string("<li><b>Value Spec:</b> ") + valueTypeName(item.nValueType) + " ["
        + fieldText(item.szLength) + "] <br><br>\r\n";
    if (!item.strDetail.empty()) {
        page += "<li><b>Detail Information:</b><br><br>\r\n";
        page += item.strDetail;
        page += "\r\n";
    }
    appendFooter(page);
    page += "</body></html>\r\n";
    return page;
}

bool writePage(const std::string& path, const std::string& bytes)
{
    // The new page is written beside the old one and renamed over it once complete, so the view
    // reads the old page or the whole new one, never new bytes followed by stale ones (a disk
    // that fills part way). Binary: the templates carry their own CR LF. No sync to disk: the
    // page is written again on the next selection, and a sync would cost every selection.
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    QTemporaryFile file(name + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    const qint64 size = qint64(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush())
        return false;
    // A temporary file is private to its owner; the page keeps the old page's permissions, or
    // gets those of any new file.
    const QFileInfo old(name);
    file.setPermissions(old.exists()
            ? old.permissions()
            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return false;
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(), path, error);
    if (error)
        return false; // the temporary file is removed with its object
    file.setAutoRemove(false);
    return true;
}

std::string writePageFile(const std::string& programDir, const char* name, const std::string& bytes)
{
    std::string path = pagePathIn(programDir, name);
    if (writePage(path, bytes))
        return path;
    // Installed programs live in folders their users cannot write; the page then goes where the
    // user keeps files that can be made again.
    const QString cache = ProgramFolders::userCacheDirectory();
    if (cache.isEmpty())
        return {};
    path = pagePathIn(QFile::encodeName(cache).toStdString() + '/', name);
    if (!writePage(path, bytes))
        return {};
    return path;
}

void WriteGroupPage(const QTreeWidgetItem* node, const ShowUrlFunction& showUrl)
{
    if (!node)
        return;
    std::vector<const tagSysValItem*> rows;
    rows.reserve(std::size_t(node->childCount()));
    for (int i = 0; i < node->childCount(); ++i) {
        if (const tagSysValItem* row = CatalogueTree::record(node->child(i)))
            rows.push_back(row);
    }
    showPage("group", groupPage(node->text(0).toLocal8Bit().toStdString(), rows), showUrl);
}

void WriteItemPage(const QTreeWidgetItem* node, const ShowUrlFunction& showUrl)
{
    const tagSysValItem* item = CatalogueTree::record(node);
    if (!item)
        return;
    showPage("item", itemPage(*item), showUrl);
}

} // namespace ReferencePages
