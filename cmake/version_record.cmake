# The Windows version record's numbers and texts, from the one project
# version: file and product version 1.2.0.3, version texts "1.02.0003".
function(orbel_zero_pad out value width)
    string(LENGTH "${value}" length)
    while(length LESS width)
        string(PREPEND value 0)
        string(LENGTH "${value}" length)
    endwhile()
    set(${out} ${value} PARENT_SCOPE)
endfunction()
orbel_zero_pad(minor ${PROJECT_VERSION_MINOR} 2)
orbel_zero_pad(revision ${PROJECT_VERSION_TWEAK} 4)
set(ORBEL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")
set(ORBEL_VERSION_COMMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
