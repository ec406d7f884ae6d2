target_sources(tastrolix_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/TEinstellungsseite.cpp ${CMAKE_CURRENT_LIST_DIR}/TEinstellungsseite.h)
