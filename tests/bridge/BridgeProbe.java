import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.nio.charset.Charset;

// Run by the bridge tests with the real JVM: reports the charsets, writes Chinese text, and
// reads one line of input in the default charset.
public class BridgeProbe {
    public static void main(String[] args) throws Exception {
        System.out.println("default=" + Charset.defaultCharset().name()
                + " native=" + System.getProperty("native.encoding")
                + " jnu=" + System.getProperty("sun.jnu.encoding"));
        System.out.println("text=\u4e2d\u6587");
        System.out.flush();
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
        String line = in.readLine();
        System.out.println("chars=" + (line == null ? -1 : line.length())
                + " first=" + (line == null || line.isEmpty() ? -1 : (int) line.charAt(0)));
    }
}
