#pragma once

// The whole device model: state (BizModel), commands (ModelControl, ParallelControl), protocol
// records (ProtoModel) and utilities (Utils). <vireomodel/fixture.h> is the test and demo fixture.

#include <vireomodel/bizmodel.h>
#include <vireomodel/devicelist.h>
#include <vireomodel/enums.h>
#include <vireomodel/helper.h>
#include <vireomodel/interfaceconfig.h>
#include <vireomodel/modelcontrol.h>
#include <vireomodel/parallelcontrol.h>
#include <vireomodel/protomodel.h>
#include <vireomodel/utils.h>
