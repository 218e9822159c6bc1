#pragma once

#include <cstdint>

#include "platform/core/Event.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Persistent.h"
#include "platform/ui/Types.h"

namespace qp {

class TStream;

// Image data that is not of the graphic's format.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// An image that a canvas can draw: an icon or a bitmap.
class TGraphic : public TPersistent {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  virtual bool Empty() const = 0;
  virtual std::int32_t Width() const = 0;
  virtual std::int32_t Height() const = 0;
  // Read the image from the stream's position on and write it in the graphic's file format.
  // Loading raises EInvalidGraphic for data of another format and leaves the image as it was.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) const = 0;

  // Form descriptions store a non-empty image as the binary property Data, in its file format.
  void DefineProperties(TFiler& filer) override;

  // Raised with the graphic as sender whenever its image changes.
  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  void Changed() { OnChange(this); }
  // A canvas has these draw the image into its device context.
  virtual void PaintAt(TDeviceContext dc, TPoint at) const = 0;
  virtual void PaintStretched(TDeviceContext dc, const TRect& target) const = 0;
};

}  // namespace qp
