# The video scrapers: one target per parser.
tarvo_add_fuzz_target(youku_page ${CMAKE_CURRENT_LIST_DIR}/targets/youku_page.cpp tarvo_video)
tarvo_add_fuzz_target(youku_episodes ${CMAKE_CURRENT_LIST_DIR}/targets/youku_episodes.cpp tarvo_video)
tarvo_add_fuzz_target(parse_page ${CMAKE_CURRENT_LIST_DIR}/targets/parse_page.cpp tarvo_video)
tarvo_add_fuzz_target(hot_pages ${CMAKE_CURRENT_LIST_DIR}/targets/hot_pages.cpp tarvo_video)
tarvo_add_fuzz_target(video_text ${CMAKE_CURRENT_LIST_DIR}/targets/video_text.cpp tarvo_video)
tarvo_add_fuzz_target(soku_page ${CMAKE_CURRENT_LIST_DIR}/targets/soku_page.cpp tarvo_soku)
tarvo_add_fuzz_target(soku_episodes ${CMAKE_CURRENT_LIST_DIR}/targets/soku_episodes.cpp tarvo_soku)
