#pragma once
// The open-file dialog: a filter of "Description|pattern" pairs, its options, and the files the user
// chose. The platform's file dialog runs it; tests put a chooser of their own in its place.
#include <QString>
#include <QStringList>
#include <functional>

#include "framework/Component.h"
#include "framework/Set.h"

enum class TOpenOption : std::uint8_t { ofReadOnly, ofHideReadOnly, ofAllowMultiSelect, ofFileMustExist, ofEnableSizing };
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog;
// Answers the chosen files, or nothing when the user cancelled.
using TFileChooser = std::function<QStringList(const TOpenDialog& dialog)>;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner);

    const QString& Filter() const { return filter_; }
    void SetFilter(const QString& filter) { filter_ = filter; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    // Shows the dialog; true when the user chose files, which Files (and FileName, the first) then hold.
    bool Execute();
    const QStringList& Files() const { return files_; }
    QString FileName() const { return files_.value(0); }

    // The filter as the platform's dialog takes it: "WAV Files|*.wav" gives "WAV Files (*.wav)".
    QStringList NameFilters() const;

private:
    QString filter_;
    TOpenOptions options_{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
    QString title_;
    QStringList files_;
};

// Replaces the platform's dialog (tests); an empty chooser puts it back.
void SetFileChooser(TFileChooser chooser);

void RegisterOpenDialogComponent();
