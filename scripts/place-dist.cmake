# Copies dist/ beside the built programs without replacing a season file that is already there.
file(COPY ${SRC}/Sounds DESTINATION ${DST})
file(MAKE_DIRECTORY ${DST}/Files)
if(EXISTS ${SRC}/Files/Kickpool.txt AND NOT EXISTS ${DST}/Files/Kickpool.txt)
  file(COPY ${SRC}/Files/Kickpool.txt DESTINATION ${DST}/Files)
endif()
