// What objects that combine, or act on one another, need of each other.
#include <string>

#include "tools/world_check.h"

namespace worldtool {

bool worldCombines(const Records& objects) {
  for (const auto& [code, object] : objects)
    if (object.numbersValid && object.number(objectLayout(), "ObjectToCombine").value != 0) return true;
  return false;
}

void checkObjectTies(const Records& objects, Problems& problems) {
  const RecordLayout& format = objectLayout();
  const auto valueOf = [&](int code, const char* field) {
    const auto object = objects.find(code);
    return object == objects.end() || !object->second.numbersValid ? -1 : object->second.number(format, field).value;
  };
  for (const auto& [code, object] : objects) {
    if (!object.numbersValid) continue;
    const std::string self = std::to_string(code);
    const ReadNumber& partner = object.number(format, "ObjectToCombine");
    const ReadNumber& yields = object.number(format, "NewObjectAfterCombination");
    if (partner.value != 0) {
      const std::string other = std::to_string(partner.value);
      if (valueOf(partner.value, "ObjectToCombine") != code) {
        problems.push_back({object.file, partner.line,
                            "ObjectToCombine: object " + other + " does not name object " + self +
                                " in its ObjectToCombine, so they never combine"});
      } else if (yields.value == 0) {
        problems.push_back({object.file, yields.line,
                            "NewObjectAfterCombination is 0: combining with object " + other + " must give an object"});
      } else if (valueOf(partner.value, "NewObjectAfterCombination") != yields.value) {
        problems.push_back({object.file, yields.line,
                            "NewObjectAfterCombination: object " + other + " names another object for the same pair"});
      }
    }
    const ReadNumber& target = object.number(format, "ObjectToInteract");
    if (target.value != 0 && valueOf(target.value, "CanInteract") == 0) {
      problems.push_back({object.file, target.line,
                          "ObjectToInteract: object " + std::to_string(target.value) +
                              " cannot be used (its CanInteract is 0), so nothing can be used on it"});
    }
  }
}

}  // namespace worldtool
