if(QP_SANITIZE)
  set(qp_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(qp_options INTERFACE ${qp_sanitizers})
  target_link_options(qp_options INTERFACE ${qp_sanitizers})
endif()

# The fuzz targets' coverage guidance needs the code they reach instrumented, not just themselves.
if(QP_FUZZ)
  target_compile_options(qp_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
