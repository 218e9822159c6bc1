#include "platform/ui/forms/FormResources.h"

#include <vector>

#include "platform/system/Strings.h"
#include "platform/ui/forms/FormParser.h"
#include "platform/ui/forms/FormReader.h"

namespace qp {
namespace {

std::vector<TFormResource>& Resources() {
  static std::vector<TFormResource> resources;
  return resources;
}

}  // namespace

void RegisterFormResource(std::string_view name, std::string_view text) {
  for (TFormResource& resource : Resources()) {
    if (resource.Name == name) {
      resource.Text = text;
      return;
    }
  }
  Resources().push_back({name, text});
}

const TFormResource* FindFormResource(std::string_view className) {
  for (const TFormResource& resource : Resources()) {
    if (SameText(ParseRootClassName(resource.Text), className)) return &resource;
  }
  return nullptr;
}

void ReadComponentResource(TComponent& root) {
  const TFormResource* resource = FindFormResource(root.ClassName());
  if (resource == nullptr) {
    throw EFormError("Keine Formularbeschreibung f\xFCr " + std::string(root.ClassName()));
  }
  ReadComponentDescription(root, resource->Text, std::string(resource->Name));
}

}  // namespace qp
