# Writes the C++ source that holds one form description: cmake -DINPUT=<file.qpf>
# -DOUTPUT=<file.cpp> -DNAME=<name> -P EmbedFormDescription.cmake
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Twenty bytes to a line keep the generated source readable.
string(REPEAT "0x..," 20 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(MAKE_C_IDENTIFIER "${NAME}" identifier)
file(WRITE ${OUTPUT} "// Generated from ${NAME} at build time.
#include \"platform/ui/forms/FormResources.h\"

namespace {

// A zero byte ends the array, so that an empty description is a valid array too.
const unsigned char k_${identifier}[] = {
    ${bytes}0x00};

const qp::TFormResourceRegistration registration{
    \"${NAME}\", {reinterpret_cast<const char*>(k_${identifier}), ${size}}};

}  // namespace
")
