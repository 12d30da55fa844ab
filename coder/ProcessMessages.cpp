#include "coder/ProcessMessages.h"

#include <QCoreApplication>

void ProcessMessages()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents();
}
