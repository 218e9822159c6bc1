# qp_embed_form_descriptions(<target> <directory>)
# Compiles every <directory>/*.qpf form description into <target>: at build time each file becomes
# a generated source holding its bytes, which registers it under its file name when the program
# starts (platform/ui/forms/FormResources.h). Give an executable as target, so that the linker
# keeps the registrations.
set(QP_EMBED_FORM_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFormDescription.cmake)

function(qp_embed_form_descriptions target directory)
  file(GLOB descriptions CONFIGURE_DEPENDS ${directory}/*.qpf)
  set(sources)
  foreach(description IN LISTS descriptions)
    get_filename_component(name ${description} NAME)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/form_descriptions/${name}.cpp)
    add_custom_command(
      OUTPUT ${generated}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${description} -DOUTPUT=${generated} -DNAME=${name}
              -P ${QP_EMBED_FORM_SCRIPT}
      DEPENDS ${description} ${QP_EMBED_FORM_SCRIPT}
      COMMENT "Embedding form description ${name}"
      VERBATIM)
    list(APPEND sources ${generated})
  endforeach()
  target_sources(${target} PRIVATE ${sources})
  # The commands run in this directory, which need not be the target's.
  string(MAKE_C_IDENTIFIER "${target}_forms_${directory}" generator)
  add_custom_target(${generator} DEPENDS ${sources})
  add_dependencies(${target} ${generator})
endfunction()
