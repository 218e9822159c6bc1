#pragma once

#include <cstdint>

#include "platform/core/Event.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"
#include "platform/ui/Types.h"

namespace qp {

class TWinControl;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;
const TTypeInfo& TypeInfoFor(TMouseButton*);

enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using enum TShiftStateFlag;
using TShiftState = TSet<TShiftStateFlag>;
const TTypeInfo& TypeInfoFor(TShiftState*);

enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using enum TDragState;

enum class TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using enum TOwnerDrawStateFlag;
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
const TTypeInfo& TypeInfoFor(TOwnerDrawState*);

using TMouseEvent =
    TEvent<"TMouseEvent", TObject*, TMouseButton, TShiftState, std::int32_t, std::int32_t>;
using TMouseMoveEvent =
    TEvent<"TMouseMoveEvent", TObject*, TShiftState, std::int32_t, std::int32_t>;
using TDragDropEvent = TEvent<"TDragDropEvent", TObject*, TObject*, std::int32_t, std::int32_t>;
using TDragOverEvent =
    TEvent<"TDragOverEvent", TObject*, TObject*, std::int32_t, std::int32_t, TDragState, bool&>;
using TEndDragEvent = TEvent<"TEndDragEvent", TObject*, TObject*, std::int32_t, std::int32_t>;
using TDrawItemEvent = TEvent<"TDrawItemEvent", TWinControl*, std::int32_t, TRect, TOwnerDrawState>;

}  // namespace qp
