// The project file lists the contents tree, the index keywords and every file.
#include "helpproject.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamWriter>

#include "render.h"

namespace docgen {
namespace {

bool WriteFile(const QString& path, const QByteArray& data, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        error = "can't write " + path;
        return false;
    }
    return true;
}

QString FileOf(const Page& page) { return page.name + ".html"; }

// Every link to another file must name a page of the help.
bool CheckLinks(const Page& page, const QString& html, const QSet<QString>& files, QString& error) {
    static const QRegularExpression href("href=\"([^\"#:]*)(#[^\"]*)?\"");
    for (auto it = href.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        if (!target.isEmpty() && !files.contains(target)) {
            error = page.path + ": link to a page that does not exist: " + target;
            return false;
        }
    }
    return true;
}

bool CheckAnchors(const Page& page, const QString& html, QString& error) {
    for (const Topic& topic : page.topics) {
        if (!topic.anchor.isEmpty() && !html.contains("name=\"" + topic.anchor + "\"")) {
            error = page.path + ": topic anchor \"" + topic.anchor + "\" is not a heading of the page";
            return false;
        }
    }
    return true;
}

QByteArray TopicMap(const QList<ContentsEntry>& entries) {
    QByteArray map;
    for (const ContentsEntry& e : entries) {
        for (const Topic& topic : e.page.topics) {
            const QString target = FileOf(e.page) + (topic.anchor.isEmpty() ? "" : "#" + topic.anchor);
            for (const QString& id : topic.ids) map += (id + " " + target + "\n").toUtf8();
        }
    }
    return map;
}

void WriteToc(QXmlStreamWriter& xml, const QList<ContentsEntry>& entries) {
    xml.writeStartElement("toc");
    int open = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ContentsEntry& e = entries[i];
        for (; open > e.level; --open) xml.writeEndElement();
        xml.writeStartElement("section");
        xml.writeAttribute("title", e.page.title);
        xml.writeAttribute("ref", FileOf(e.page));
        ++open;
        const bool hasChildren = i + 1 < entries.size() && entries[i + 1].level > e.level;
        if (!hasChildren) {
            xml.writeEndElement();
            --open;
        }
    }
    for (; open > 0; --open) xml.writeEndElement();
    xml.writeEndElement();
}

void WriteKeywords(QXmlStreamWriter& xml, const QList<ContentsEntry>& entries) {
    xml.writeStartElement("keywords");
    for (const ContentsEntry& e : entries) {
        for (const QString& name : QStringList{e.page.title} + e.page.keywords) {
            xml.writeStartElement("keyword");
            xml.writeAttribute("name", name);
            xml.writeAttribute("ref", FileOf(e.page));
            xml.writeEndElement();
        }
    }
    xml.writeEndElement();
}

QByteArray Project(const QList<ContentsEntry>& entries) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("QtHelpProject");
    xml.writeAttribute("version", "1.0");
    xml.writeTextElement("namespace", "veltar.help");
    xml.writeTextElement("virtualFolder", "doc");
    xml.writeStartElement("filterSection");
    // The search index keeps a file's filter attributes and matches them; a file
    // without any would never be found.
    xml.writeTextElement("filterAttribute", "veltar");
    WriteToc(xml, entries);
    WriteKeywords(xml, entries);
    xml.writeStartElement("files");
    for (const ContentsEntry& e : entries) xml.writeTextElement("file", FileOf(e.page));
    xml.writeTextElement("file", kTopicsFile);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

}  // namespace

bool WriteHelpProject(const QList<ContentsEntry>& entries, const QString& outDir, QString& error) {
    if (!QDir().mkpath(outDir)) {
        error = "can't create " + outDir;
        return false;
    }
    QSet<QString> files;
    for (const ContentsEntry& e : entries) files.insert(FileOf(e.page));
    for (const ContentsEntry& e : entries) {
        const QString html = PageHtml(e.page);
        if (!CheckLinks(e.page, html, files, error) || !CheckAnchors(e.page, html, error)) return false;
        if (!WriteFile(outDir + "/" + FileOf(e.page), html.toUtf8(), error)) return false;
    }
    return WriteFile(outDir + "/" + kTopicsFile, TopicMap(entries), error) &&
           WriteFile(outDir + "/veltar.qhp", Project(entries), error);
}

}  // namespace docgen
