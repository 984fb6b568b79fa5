#pragma once

// Everything of the base widget kit.

#include <zkwidgets/filereader.h>
#include <zkwidgets/flowlayout.h>
#include <zkwidgets/framelessdialog.h>
#include <zkwidgets/framelessmessagebox.h>
#include <zkwidgets/id.h>
#include <zkwidgets/iplineedit.h>
#include <zkwidgets/pathchooser.h>
#include <zkwidgets/slidereditframe.h>
#include <zkwidgets/vesa.h>
