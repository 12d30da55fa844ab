#include "framework/Exception.h"

#include <utility>

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
