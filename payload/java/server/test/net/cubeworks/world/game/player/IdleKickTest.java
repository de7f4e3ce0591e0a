package net.cubeworks.world.game.player;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.TestGames;
import net.cubeworks.world.protocol.PlayReads;

/** The idle timeout: who counts as idle, and who is kicked once the minutes have passed. */
public class IdleKickTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    @Test
    public void aPlayerIdleLongerThanTheTimeoutIsKickedAndNobodyWhileItIsNought() throws Exception {
        java.util.logging.Logger log = java.util.logging.Logger.getAnonymousLogger();
        log.setUseParentHandlers(false);
        net.cubeworks.world.settings.AccessLists access = new net.cubeworks.world.settings.AccessLists(folder.getRoot(), log);
        access.load(false);
        Game game = new Game(log, net.cubeworks.world.settings.ServerProperties.defaults(), access,
                TestGames.host(new net.cubeworks.world.plugin.EventDispatch(log)), new net.cubeworks.world.storage.WorldStore.None());
        try {
            OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
            OnlinePlayer bo = TestGames.join(game, "Bo", 2, 3.5, 4, 3.5);
            alex.lastActive = System.currentTimeMillis() - 61000L;
            synchronized (game.lock()) {
                IdleKick.check(game.idleTimeout(), game.players(), game.players().inJoinOrder());
                assertEquals("0: nobody is kicked", 2, game.players().count());
                game.setIdleTimeout(1);
                IdleKick.check(game.idleTimeout(), game.players(), game.players().inJoinOrder());
            }
            assertNull(game.players().findExact("Alex"));
            assertNotNull("a minute has not passed for Bo", game.players().findExact("Bo"));
            assertEquals(1, game.idleTimeout());
        } finally {
            game.world().close();
        }
        // the client's keep-alives and its position sent while standing still are no doing
        assertTrue(!IdleKick.alwaysActive(PlayReads.KEEP_ALIVE) && !IdleKick.alwaysActive(PlayReads.PLAYER));
        assertTrue(IdleKick.isMove(PlayReads.PLAYER_POSITION) && IdleKick.alwaysActive(PlayReads.CHAT));
    }
}
