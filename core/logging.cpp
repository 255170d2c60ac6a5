#include "logging.h"

Q_LOGGING_CATEGORY(lcTick, "gaokao.tick", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "gaokao.settings", QtWarningMsg)
