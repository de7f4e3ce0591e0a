package net.cubeworks.world.console;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.nio.charset.Charset;
import java.util.logging.Level;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.junit.Test;

public class ConsoleLogTest {
    private static final String NL = System.getProperty("line.separator");

    @Test
    public void recordsLookLikeTheGameServerLog() {
        LogFormat f = new LogFormat();
        assertTrue(f.format(new LogRecord(Level.INFO, "Default game type: SURVIVAL"))
                .matches("\\[\\d\\d:\\d\\d:\\d\\d INFO\\]: Default game type: SURVIVAL" + NL));
        assertTrue(f.format(new LogRecord(Level.WARNING, "x")).contains(" WARN]: x"));
        assertTrue(f.format(new LogRecord(Level.SEVERE, "x")).contains(" ERROR]: x"));

        LogRecord withParam = new LogRecord(Level.INFO, "\u6587\u4ef6\u521b\u5efa\u5199\u51fa\u5f02\u5e38!{0}");
        withParam.setParameters(new Object[] {"disk full"});
        assertTrue(f.format(withParam).endsWith("]: \u6587\u4ef6\u521b\u5efa\u5199\u51fa\u5f02\u5e38!disk full" + NL));

        assertTrue(f.format(new LogRecord(Level.INFO, "\u00a7eAlex joined the game")).endsWith("]: Alex joined the game" + NL));

        LogRecord failed = new LogRecord(Level.SEVERE, "Could not load 'plugins/X.jar' in folder 'plugins'");
        failed.setThrown(new IllegalStateException("boom"));
        String text = f.format(failed);
        assertTrue(text, text.contains("in folder 'plugins'" + NL + "java.lang.IllegalStateException: boom" + NL + "\tat "));
    }

    @Test
    public void linesAreWrittenInTheConsoleCharsetAndThePromptHasNoLineEnd() throws Exception {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        ConsoleOutput out = new ConsoleOutput(bytes, Charset.forName("GBK"));
        out.line("\u6b22\u8fce");
        out.prompt();
        byte[] expected = ("\u6b22\u8fce" + NL + ">").getBytes("GBK");
        assertArrayEquals(expected, bytes.toByteArray());
    }

    @Test
    public void printedLinesOfPluginsBecomeLogLines() throws Exception {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        ConsoleOutput out = new ConsoleOutput(bytes, Charset.forName("UTF-8"));
        Logger logger = Logger.getAnonymousLogger();
        logger.setUseParentHandlers(false);
        logger.addHandler(new ConsoleHandler(out));
        LoggerOutputStream stream = new LoggerOutputStream(logger, Level.INFO, Charset.forName("UTF-8"));
        stream.write("first\r\nsec".getBytes("UTF-8"));
        stream.write("ond\n".getBytes("UTF-8"));
        String[] lines = new String(bytes.toByteArray(), "UTF-8").split(NL);
        assertEquals(2, lines.length);
        assertTrue(lines[0].endsWith(" INFO]: first"));
        assertTrue(lines[1].endsWith(" INFO]: second"));
    }
}
