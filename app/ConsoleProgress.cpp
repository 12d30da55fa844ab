#include "app/ConsoleProgress.h"

TConsoleProgress::TConsoleProgress(QTextStream& out, bool terminal) : out_(out), terminal_(terminal) {}

void TConsoleProgress::Begin(const QString& label)
{
    label_ = label;
    shown_ = -1;
    open_ = true;
    Progress(0);
}

void TConsoleProgress::Progress(std::uint16_t percent)
{
    if (!terminal_ || !open_ || percent == shown_)
        return;
    shown_ = percent;
    out_ << "\r\033[K" << label_ << QStringLiteral(" %1%").arg(percent, 3) << Qt::flush;
}

void TConsoleProgress::End(const QString& remark)
{
    if (terminal_)
        out_ << "\r\033[K";
    out_ << label_ << "  " << remark << Qt::endl;
    open_ = false;
}

void TConsoleProgress::Abandon()
{
    if (open_ && terminal_)
        out_ << Qt::endl;
    open_ = false;
}
