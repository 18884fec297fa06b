#pragma once
// The period dialog.
#include <QDate>
