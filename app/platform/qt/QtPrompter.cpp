#include "QtPrompter.h"

#include "QtPlatform.h"

#include "AnsiText.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace platform {

namespace {

QString Caption(const std::string& caption)
{
    return caption.empty() ? QString("J57 Utility") : FromAnsi(caption);
}

// "Name|patterns|Name|patterns||" → Qt's "Name (patterns);;..." list. Qt
// reads the last parentheses of an entry as its patterns, so each entry is
// rebuilt from its pattern part: a pattern group inside the name ("SLMDL
// (*.slmdl) Download File") is dropped from the name, any other text in
// parentheses ("CV Firmware File (J57-0427)") stays, and the patterns go
// last. "*.*" means every file, as it does on Windows.
QString QtFilterEntry(const QString& name, const QString& patterns)
{
    QStringList globs;
    for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts)) {
        const QString glob = pattern.trimmed();
        if (!glob.isEmpty())
            globs << (glob == "*.*" ? QString("*") : glob);
    }
    if (globs.isEmpty())
        globs << "*";
    static const QRegularExpression patternGroup(R"(\s*\([^()]*[*?][^()]*\))");
    QString label = QString(name).remove(patternGroup).simplified();
    return label + " (" + globs.join(' ') + ")";
}

QString QtFilter(const std::string& filter)
{
    if (filter.find('|') == std::string::npos)
        return QString::fromStdString(filter);
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            break;
        out << QtFilterEntry(parts[i], parts[i + 1]);
    }
    return out.join(";;");
}

}  // namespace

QString FromAnsi(const std::string& bytes)
{
    QString s;
    s.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes)
        s.append(QChar(static_cast<char16_t>(AnsiCharacter(c))));
    return s;
}

std::string ToAnsi(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text)
        out.push_back(AnsiByte(ch.unicode()));
    return out;
}

Answer QtPrompter::Message(const MessageBoxRequest& r)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(Caption(r.caption));
    box.setText(FromAnsi(r.text));
    switch (r.icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    struct B { QMessageBox::StandardButton button; Answer answer; };
    std::vector<B> buttons;
    switch (r.buttons) {
    case Buttons::Ok: buttons = {{QMessageBox::Ok, IDOK}}; break;
    case Buttons::OkCancel: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case Buttons::YesNo: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case Buttons::YesNoCancel:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case Buttons::RetryCancel: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case Buttons::AbortRetryIgnore:
        buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (const auto& b : buttons)
        set |= b.button;
    box.setStandardButtons(set);
    if (r.defaultButton >= 0 && r.defaultButton < static_cast<int>(buttons.size()))
        box.setDefaultButton(buttons[static_cast<size_t>(r.defaultButton)].button);
    const int result = box.exec();
    for (const auto& b : buttons)
        if (result == b.button)
            return b.answer;
    return buttons.size() > 1 ? (r.buttons == Buttons::YesNo ? IDNO : IDCANCEL) : IDOK;
}

std::optional<std::string> QtPrompter::AskText(const std::string& prompt, const std::string& caption,
                                               const std::string& initial)
{
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), Caption(caption), FromAnsi(prompt),
                                         QLineEdit::Normal, FromAnsi(initial), &ok);
    if (!ok)
        return std::nullopt;
    return ToAnsi(text);
}

std::optional<std::string> QtPrompter::ChooseFile(const FileRequest& r)
{
    QString path;
    QString caption = FromAnsi(r.caption);
    QString start = QString::fromStdString(r.initialPath);
    if (r.save)
        path = QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, start, QtFilter(r.filter));
    else
        path = QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, start, QtFilter(r.filter));
    if (path.isEmpty())
        return std::nullopt;
    std::string p = path.toStdString();
    // The default extension is given with or without its point.
    const std::string ext = !r.defaultExt.empty() && r.defaultExt[0] == '.' ? r.defaultExt.substr(1) : r.defaultExt;
    if (r.save && !ext.empty() && p.find('.', p.find_last_of('/') + 1) == std::string::npos)
        p += "." + ext;
    return p;
}

}  // namespace platform
