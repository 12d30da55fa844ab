#include "controls/menus/MenuClicks.h"

#include <QCoreApplication>
#include <QTimer>
#include <list>

#include "controls/menus/TeItem.h"
#include "framework/Application.h"
#include "framework/ComponentRef.h"

namespace {

int loopDepth = 0;
std::list<TComponentRef<TTeItem>> waiting;

void DeliverClicks()
{
    if (loopDepth > 0)
        return;
    while (!waiting.empty()) {
        TTeItem* item = waiting.front().Get();
        waiting.pop_front();
        if (item != nullptr)
            Application->Guard(item, [item] { item->Execute(); });
    }
}

void ScheduleDelivery()
{
    QTimer::singleShot(0, QCoreApplication::instance(), &DeliverClicks);
}

}  // namespace

void EnterMenuLoop()
{
    ++loopDepth;
}

void LeaveMenuLoop()
{
    if (--loopDepth == 0 && !waiting.empty())
        ScheduleDelivery();
}

int MenuLoopDepth()
{
    return loopDepth;
}

void PostMenuClick(TTeItem* item)
{
    waiting.emplace_back(item);
    if (loopDepth == 0)
        ScheduleDelivery();
}
