// Page files: "Keywords: a; b" and "Topics: 170 mnufile; l-table = 330 mnustiffl"
// lines, a blank line, then Markdown.
#include "page.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace docgen {
namespace {

QStringList Items(const QString& list) {
    QStringList items;
    for (const QString& part : list.split(';')) {
        const QString item = part.trimmed();
        if (!item.isEmpty()) items << item;
    }
    return items;
}

QList<Topic> Topics(const QString& list) {
    QList<Topic> topics;
    for (const QString& item : Items(list)) {
        Topic topic;
        QString ids = item;
        if (const int eq = item.indexOf('='); eq >= 0) {
            topic.anchor = item.left(eq).trimmed();
            ids = item.mid(eq + 1);
        }
        topic.ids = ids.split(' ', Qt::SkipEmptyParts);
        topics << topic;
    }
    return topics;
}

QString Where(const QString& path, int line) { return path + ":" + QString::number(line) + ": "; }

}  // namespace

QString Slug(const QString& heading) {
    QString slug = heading.toLower();
    slug.replace(QRegularExpression("[^a-z0-9]+"), "-");
    while (slug.startsWith('-')) slug.remove(0, 1);
    while (slug.endsWith('-')) slug.chop(1);
    return slug;
}

bool ReadPage(const QString& path, Page& page, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = "can't read " + path;
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    page.path = path;
    page.name = QFileInfo(path).completeBaseName();
    int i = 0;
    for (; i < lines.size() && !lines[i].trimmed().isEmpty(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith("Keywords:")) {
            page.keywords << Items(line.mid(9));
        } else if (line.startsWith("Topics:")) {
            page.topics << Topics(line.mid(7));
        } else if (i == 0 && line.startsWith("# ")) {
            break;  // a page without a header block
        } else {
            error = Where(path, i + 1) + "header lines are \"Keywords:\" or \"Topics:\"";
            return false;
        }
    }
    page.bodyLine = i + 1;
    page.markdown = lines.mid(i).join('\n');
    for (const QString& line : lines.mid(i)) {
        if (line.startsWith("# ")) {
            page.title = line.mid(2).trimmed();
            return true;
        }
    }
    error = Where(path, page.bodyLine) + "the page has no \"# \" title";
    return false;
}

}  // namespace docgen
