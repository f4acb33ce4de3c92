// Headless: there is no cursor to show.
#include "platform/busy_cursor.h"

BusyCursor::BusyCursor() = default;

BusyCursor::~BusyCursor() = default;
