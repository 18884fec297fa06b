#pragma once
// Fish species.
#include <QWidget>
