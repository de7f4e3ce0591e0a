package net.cubeworks.world.util;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;

import org.junit.Test;

public class CommandLineTest {
    @Test
    public void stripsLineEndsAndOneLeadingSlash() {
        assertArrayEquals(new String[] {"op", "Alex"}, CommandLine.split("op Alex\r\n"));
        assertArrayEquals(new String[] {"op", "Alex"}, CommandLine.split("/op Alex"));
        assertArrayEquals(new String[] {"/op", "Alex"}, CommandLine.split("//op Alex"));
        assertArrayEquals(new String[] {"list"}, CommandLine.split("  list \r"));
    }

    @Test
    public void managerLinesWithTrailingSpaceLoseTheEmptyWord() {
        // the manager sends "op " + name, which is "op " when no row is selected
        assertArrayEquals(new String[] {"op"}, CommandLine.split("op \r\n"));
        assertArrayEquals(new String[] {"give", "Alex", "1"}, CommandLine.split("give Alex 1 "));
        assertArrayEquals(new String[] {"gamemode", "1", "Alex"}, CommandLine.split("gamemode 1 Alex"));
    }

    @Test
    public void blankLinesAreEmpty() {
        assertEquals(0, CommandLine.split("").length);
        assertEquals(0, CommandLine.split("\r\n").length);
        assertEquals(0, CommandLine.split("/").length);
    }

    @Test
    public void argsAndJoin() {
        String[] words = CommandLine.split("kick Alex too  fast");
        assertArrayEquals(new String[] {"Alex", "too", "", "fast"}, CommandLine.args(words));
        assertEquals("too  fast", CommandLine.join(words, 2));
        assertEquals(0, CommandLine.args(new String[] {"list"}).length);
    }
}
