# The video scrapers: one target per parser.
tarvo_add_fuzz_target(youku_page ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzYoukuPage.cpp tarvo_video)
tarvo_add_fuzz_target(youku_episodes ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzYoukuEpisodes.cpp tarvo_video)
tarvo_add_fuzz_target(parse_page ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzParsePage.cpp tarvo_video)
tarvo_add_fuzz_target(hot_pages ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzHotPages.cpp tarvo_video)
tarvo_add_fuzz_target(video_text ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzVideoText.cpp tarvo_video)
tarvo_add_fuzz_target(soku_page ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzSokuPage.cpp tarvo_soku)
tarvo_add_fuzz_target(soku_episodes ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzSokuEpisodes.cpp tarvo_soku)
