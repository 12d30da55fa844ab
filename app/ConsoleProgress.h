#pragma once
// Progress of a headless job on the console: a line per track or file that a terminal sees counting up,
// and the finished lines alone when the output goes to a file or a pipe.
#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <cstdint>

class TConsoleProgress {
public:
    explicit TConsoleProgress(QTextStream& out, bool terminal);

    void Begin(const QString& label);
    void Progress(std::uint16_t percent);
    // Ends the current line with a closing remark.
    void End(const QString& remark);
    // Breaks off the current line (before an error is printed).
    void Abandon();

private:
    QTextStream& out_;
    bool terminal_;
    bool open_ = false;
    QString label_;
    int shown_ = -1;
};
