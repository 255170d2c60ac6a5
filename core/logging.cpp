#include "logging.h"

Q_LOGGING_CATEGORY(lcTick, "gaokao.tick", QtWarningMsg)
