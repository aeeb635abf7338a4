# A random lens table, the same for the same seed and row count:
#   awk -v seed=34 -v rows=100000 -f lens-table.awk
# Every camera in every unit system with each field solved in turn, custom
# resolutions on the cameras that take them, and about one row in 25 that
# fails: a zero, a word, a resolution where none is taken or below one.
function random() { state = (state * 48271) % 2147483647; return state / 2147483647 }
function number() { return sprintf("%." int(random() * 5) "f", random() * 10 ^ int(random() * 4)) }
BEGIN {
    state = seed
    split("meters feet inches", units, " ")
    print "camera,resolution,units,width,distance,focal"
    for (i = 0; i < rows; i++) {
        camera = 1 + i % 15
        resolution = camera ~ /^(4|6|8|13|14|15)$/ && random() < 0.5 ? int(random() * 4000) + 1 : ""
        for (f = 0; f < 3; f++)
            field[f] = number()
        field[int(i / 15) % 3] = ""
        fault = random()
        if (fault < 0.01) field[int(random() * 3)] = "0"
        else if (fault < 0.02) field[int(random() * 3)] = "x"
        else if (fault < 0.03) resolution = "640"
        else if (fault < 0.04) resolution = resolution == "" ? "" : "-" resolution
        printf "%d,%s,%s,%s,%s,%s\n", camera, resolution, units[1 + int(i / 45) % 3], field[0], field[1], field[2]
    }
}
