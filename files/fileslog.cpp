#include "files/fileslog.h"

Q_LOGGING_CATEGORY(lcFiles, "txconfig.files")
