tarvo_add_fuzz_target(ui_image_decode ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzUiImageDecode.cpp tarvo_ui)
tarvo_add_fuzz_target(ui_text_wrap ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzUiTextWrap.cpp tarvo_ui)
