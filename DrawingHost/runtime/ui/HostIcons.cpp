#include "HostIcons.h"

QString iconPathForId(int, bool) { return {}; }
QString iconPathForName(const QString&, bool) { return {}; }
