<?php
// Makes the local wiki's bot user and its bot passwords in one PHP start-up: run one by
// one, MediaWiki's own scripts cost half a second each. scripts/local-wiki runs it with
// MW_INSTALL_PATH and MW_CONFIG_FILE set.

require_once getenv( 'MW_INSTALL_PATH' ) . '/maintenance/Maintenance.php';

class LocalWikiUsers extends Maintenance {
	public function __construct() {
		parent::__construct();
		$this->addDescription( 'Create a bot user and bot passwords for it' );
		$this->addOption( 'bot-password', 'APPID:GRANT,GRANT...:PASSWORD (repeatable)',
			true, true, false, true );
		$this->addArg( 'user', 'Name of the new bot user' );
		$this->addArg( 'password', 'Its own password' );
	}

	public function execute() {
		$maintenance = MW_INSTALL_PATH . '/maintenance';
		$user = $this->getArg( 0 );

		$promote = $this->runChild( CreateAndPromote::class, "$maintenance/createAndPromote.php" );
		$promote->loadParamsAndArgs( null, [ 'bot' => true ], [ $user, $this->getArg( 1 ) ] );
		$promote->execute();

		foreach ( $this->getOption( 'bot-password' ) as $spec ) {
			$parts = explode( ':', $spec );
			if ( count( $parts ) !== 3 ) {
				$this->fatalError( "Bad --bot-password $spec" );
			}
			[ $appId, $grants, $password ] = $parts;
			$create = $this->runChild( CreateBotPassword::class, "$maintenance/createBotPassword.php" );
			$create->loadParamsAndArgs( null, [ 'appid' => $appId, 'grants' => $grants ],
				[ $user, $password ] );
			$create->execute();
		}
	}
}

$maintClass = LocalWikiUsers::class;
require_once RUN_MAINTENANCE_IF_MAIN;
