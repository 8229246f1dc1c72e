# Writes a C++ file holding the bytes of every PNG in PICTURE_DIR, so the
# program carries its pictures inside itself. Run at build time:
#   cmake -DPICTURE_DIR=... -DOUTPUT=... -P embed_pictures.cmake
file(GLOB pictures ${PICTURE_DIR}/*.png)
list(SORT pictures)

set(arrays "")
set(table "")
foreach(picture IN LISTS pictures)
  get_filename_component(name ${picture} NAME_WE)
  string(MAKE_C_IDENTIFIER ${name} id)
  file(READ ${picture} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Break the array into lines of 32 bytes to keep the file readable.
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "const unsigned char picture_${id}[] = {\n${bytes}\n};\n")
  string(APPEND table "    {\"${name}\", picture_${id}, sizeof picture_${id}},\n")
endforeach()

file(WRITE ${OUTPUT}.tmp
"// Made at build time from app/pictures; do not edit.
#include \"app/embedded_pictures.h\"

namespace {
${arrays}}  // namespace

const EmbeddedPicture kEmbeddedPictures[] = {
${table}};
const std::size_t kEmbeddedPictureCount = sizeof kEmbeddedPictures / sizeof kEmbeddedPictures[0];
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
