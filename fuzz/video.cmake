# The video scrapers: one target per parser.
tarvo_add_fuzz_target(youku_page ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzYoukuPage.cpp tarvo_video)
tarvo_add_fuzz_target(youku_episodes ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzYoukuEpisodes.cpp tarvo_video)
tarvo_add_fuzz_target(parse_page ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzParsePage.cpp tarvo_video)
tarvo_add_fuzz_target(hot_pages ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzHotPages.cpp tarvo_video)
tarvo_add_fuzz_target(video_text ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzVideoText.cpp tarvo_video)
tarvo_add_fuzz_target(soku_page ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzSokuPage.cpp tarvo_soku)
tarvo_add_fuzz_target(soku_episodes ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzSokuEpisodes.cpp tarvo_soku)
# The stand-in site's and parse page's request decoding.
tarvo_add_fuzz_target(youku_requests ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzYoukuRequests.cpp tarvo_servers tarvo_video)
target_compile_definitions(fuzz_replay_youku_requests PRIVATE TARVO_SERVER_DATA_DIR="${TARVO_SERVER_DATA_DIR}")
if(TARVO_FUZZ)
  target_compile_definitions(fuzz_youku_requests PRIVATE TARVO_SERVER_DATA_DIR="${TARVO_SERVER_DATA_DIR}")
endif()
# Seeds the page readers' corpora with the stand-in's generated pages (run by
# hand; its output is committed under fuzz/corpus).
add_executable(tarvo_seed_youku_corpora ${CMAKE_CURRENT_LIST_DIR}/SeedYoukuCorpora.cpp)
target_link_libraries(tarvo_seed_youku_corpora PRIVATE tarvo_servers tarvo_video)
target_compile_definitions(tarvo_seed_youku_corpora PRIVATE TARVO_SERVER_DATA_DIR="${TARVO_SERVER_DATA_DIR}")
# The stand-in Soku site: its request decoding and catalogue reader.
tarvo_add_fuzz_target(soku_site ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzSokuSite.cpp tarvo_servers tarvo_soku)
target_compile_definitions(fuzz_replay_soku_site PRIVATE TARVO_SERVER_DATA_DIR="${TARVO_SERVER_DATA_DIR}")
if(TARVO_FUZZ)
  target_compile_definitions(fuzz_soku_site PRIVATE TARVO_SERVER_DATA_DIR="${TARVO_SERVER_DATA_DIR}")
endif()
