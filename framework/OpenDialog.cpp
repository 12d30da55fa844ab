#include "framework/OpenDialog.h"

#include <QApplication>
#include <QFileDialog>

#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"

namespace {

TFileChooser& Chooser()
{
    static TFileChooser chooser;
    return chooser;
}

QStringList RunPlatformDialog(const TOpenDialog& dialog)
{
    QFileDialog box(QApplication::activeWindow(), dialog.Title());
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(dialog.Options().Contains(TOpenOption::ofAllowMultiSelect) ? QFileDialog::ExistingFiles
                                                                               : QFileDialog::ExistingFile);
    box.setNameFilters(dialog.NameFilters());
    box.setOption(QFileDialog::ReadOnly, dialog.Options().Contains(TOpenOption::ofReadOnly));
    box.setSizeGripEnabled(dialog.Options().Contains(TOpenOption::ofEnableSizing));
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.selectedFiles();
}

const QStringList& OpenOptionNames()
{
    static const QStringList names{"ofReadOnly", "ofHideReadOnly", "ofAllowMultiSelect", "ofFileMustExist",
                                   "ofEnableSizing"};
    return names;
}

}  // namespace

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

QStringList TOpenDialog::NameFilters() const
{
    const QStringList parts = filter_.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(u';', u' '));
    return filters;
}

bool TOpenDialog::Execute()
{
    const QStringList chosen = Chooser() ? Chooser()(*this) : RunPlatformDialog(*this);
    if (chosen.isEmpty())
        return false;
    files_ = chosen;
    return true;
}

void SetFileChooser(TFileChooser chooser)
{
    Chooser() = std::move(chooser);
}

void RegisterOpenDialogComponent()
{
    RegisterClass<TOpenDialog>(QStringLiteral("TOpenDialog"));
    RegisterProperties<TOpenDialog, TComponent>()
        .String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
        .SetOf("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions, OpenOptionNames(),
               TOpenOptions{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing})
        .String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}
