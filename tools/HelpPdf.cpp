// tessavo-help-pdf: prints the user help, kept as Markdown text in the
// repository, to the PDF that Help opens.
//   tessavo-help-pdf <help.md> <TessavoHelp.pdf>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv)
{
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessavo-help-pdf <help.md> <output.pdf>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "tessavo-help-pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(source.readAll()));

    // Written beside the target and renamed, so that a failed run leaves no
    // half-written help behind.
    const QString target = QString::fromLocal8Bit(argv[2]);
    const QString temp = target + ".part";
    {
        QPdfWriter writer(temp);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle("J57 Utility Help");
        writer.setCreator("J57 Utility");
        document.print(&writer);
    }
    QFile::remove(target);
    if (QFile(temp).size() == 0 || !QFile::rename(temp, target)) {
        QFile::remove(temp);
        std::fprintf(stderr, "tessavo-help-pdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
