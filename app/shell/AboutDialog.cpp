#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <string>

#include "ReportNumbers.h"
#include "ShellIcons.h"
#include "SummaryWriterSupport.h"

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("About J57 Utility");
    auto* icon = new QLabel(this);
    icon->setPixmap(ShellIcons::ProgramIcon().pixmap(32, 32));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* texts = new QVBoxLayout(frame);
    // The version is the one the report and export headers state.
    const std::string version = "Version " + FormatFixed(kSoftwareVersion, 2);
    for (const std::string& line : {std::string("J57 Utility Software"), version, std::string("June 2003")})
        texts->addWidget(new QLabel(QString::fromStdString(line), frame));

    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(frame, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok);
}
