# Decoders of the file formats and the account protocol.
tarvo_add_fuzz_target(ticker ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzTicker.cpp tarvo_launcher_formats)
tarvo_add_fuzz_target(jokes ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzJokes.cpp tarvo_jokes)
tarvo_add_fuzz_target(tvlist ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzTvList.cpp tarvo_tv)
tarvo_add_fuzz_target(xmllist ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzXmlList.cpp tarvo_xml)
tarvo_add_fuzz_target(frames ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzFrames.cpp tarvo_net_protocol)
tarvo_add_fuzz_target(cipher ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzCipher.cpp tarvo_net_protocol)
tarvo_add_fuzz_target(nmea ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzNmea.cpp tarvo_timesync)
tarvo_add_fuzz_target(update ${CMAKE_CURRENT_LIST_DIR}/targets/FuzzUpdate.cpp tarvo_app)
