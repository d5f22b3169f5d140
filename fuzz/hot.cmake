# The stand-in hot-video page server: its catalogue reader and query decoding.
tarvo_add_fuzz_target(hot_site ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzHotSite.cpp tarvo_servers tarvo_video)
