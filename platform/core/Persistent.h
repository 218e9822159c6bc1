#pragma once

#include <functional>
#include <string>

#include "platform/core/Object.h"

namespace qp {

class TStream;

// The form reader's and writer's side of the property definition hook: a component names a
// property of its own that is stored as a block of bytes.
class TFiler {
 public:
  using TStreamProc = std::function<void(TStream&)>;
  virtual ~TFiler() = default;
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc reader, TStreamProc writer,
                                    bool hasData) = 0;
};

class TPersistent : public TObject {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Copies source into this object. Raises EConvertError when neither side knows how.
  virtual void Assign(const TPersistent& source);
  // The property definition hook, called by form readers and writers.
  virtual void DefineProperties(TFiler& filer);

 protected:
  virtual void AssignTo(TPersistent& destination) const;
};

}  // namespace qp
